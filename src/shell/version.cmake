# Program location and version text, and the version block the build puts
# into the program file.
#
# The block has the binary layout of a Windows version resource. The host
# tool mkversionblock writes it from the values below; after every link of
# VEXA-TOLM, objcopy adds it to the program file as the section
# .vexa_version, which is not loaded into memory. A section added after
# linking survives --gc-sections and strip, and the program reads it back
# from its own file (/proc/self/exe) at start.
#
# Include after the VEXA-TOLM target is defined.

target_sources(vexacore PRIVATE
  src/shell/UVEXATools.h src/shell/UVEXATools.cpp
  src/shell/VersionBlock.h src/shell/VersionBlock.cpp
)

add_executable(mkversionblock
  tools/mkversionblock.cpp
  src/shell/VersionBlockBuilder.h src/shell/VersionBlockBuilder.cpp
)
target_include_directories(mkversionblock PRIVATE src)
set_target_properties(mkversionblock PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

# The unit's start code reads the version before main. It lives in the
# static library, whose objects only join the program when something there
# is referenced; asking for ProgramVersion makes sure it always does.
target_link_options(VEXA-TOLM PRIVATE "LINKER:--undefined=ProgramVersion")

if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "objcopy is needed to add the version block to the program file")
endif()

# The program's version block. The fixed part's product version is 3.0.0.2
# while the ProductVersion text says 3.0.0.1; the version the windows show
# is the FileVersion text.
set(VEXA_VERSION_BLOCK_ARGS
  --file-version 3.0.0.2
  --product-version 3.0.0.2
  --flags-mask 0x3F
  --flags 0x2                       # pre-release
  --os 0x4                          # 32-bit Windows
  --type 0x1                        # application
  --subtype 0
  --date 0
  --table 040904E4                  # US English, code page 1252
  --string "CompanyName=VEXA Lab Systems, 7 Fieldstrength Lane, Testbury"
  --string "FileDescription=RF immunity and emission test program"
  --string "FileVersion=3.0.0.2"
  --string "InternalName=VEXA-TOLM"
  --string "LegalCopyright=Copyright © VEXA Lab Systems. All rights reserved."
  --string "LegalTrademarks=VEXA-TOLM is a trademark of VEXA Lab Systems."
  --string "OriginalFilename=VEXA-TOLM"
  --string "ProductName=VEXA-TOLM"
  --string "ProductVersion=3.0.0.1"
  --string "Comments=Demo pre-release"
  --translation 0409:04E4
)

set(VEXA_VERSION_BLOCK_FILE ${CMAKE_CURRENT_BINARY_DIR}/vexa_version.bin)
add_custom_command(
  OUTPUT ${VEXA_VERSION_BLOCK_FILE}
  COMMAND mkversionblock --output ${VEXA_VERSION_BLOCK_FILE} ${VEXA_VERSION_BLOCK_ARGS}
  DEPENDS mkversionblock ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Writing the program's version block"
  VERBATIM
)
add_custom_target(vexa_version_block DEPENDS ${VEXA_VERSION_BLOCK_FILE})

# A changed block relinks the program, which runs the step below again.
add_dependencies(VEXA-TOLM vexa_version_block)
set_property(TARGET VEXA-TOLM APPEND PROPERTY LINK_DEPENDS ${VEXA_VERSION_BLOCK_FILE})

# Removing first keeps the step safe to repeat on the same file.
add_custom_command(TARGET VEXA-TOLM POST_BUILD
  COMMAND ${CMAKE_OBJCOPY}
    --remove-section .vexa_version
    --add-section .vexa_version=${VEXA_VERSION_BLOCK_FILE}
    --set-section-flags .vexa_version=noload,readonly
    $<TARGET_FILE:VEXA-TOLM>
  COMMENT "Adding the version block to VEXA-TOLM"
  VERBATIM
)
