# tst_version reads the built program file, and starts copies of a small
# probe program from directories of its choosing.
add_executable(tst_version_probe version_probe.cpp)
target_link_libraries(tst_version_probe PRIVATE vexacore)

target_sources(tst_version PRIVATE ${PROJECT_SOURCE_DIR}/src/shell/VersionBlockBuilder.cpp)
add_dependencies(tst_version VEXA-TOLM tst_version_probe vexa_version_block)
target_compile_definitions(tst_version PRIVATE
  VEXA_PROGRAM_FILE="$<TARGET_FILE:VEXA-TOLM>"
  VEXA_PROBE_FILE="$<TARGET_FILE:tst_version_probe>"
  VEXA_VERSION_BLOB="${VEXA_VERSION_BLOCK_FILE}"
  VEXA_OBJCOPY="${CMAKE_OBJCOPY}"
  VEXA_STRIP="${CMAKE_STRIP}"
)
