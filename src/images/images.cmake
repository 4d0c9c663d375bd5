# The shared image list: the pictures, their resource file and the list classes.
target_sources(vexacore PRIVATE
  src/images/FRImageList.h src/images/FRImageList.cpp
  src/images/images.qrc
)

# Every picture on one sheet, to look them over:
#   cmake --build build --target contact-sheet   ->  build/contact-sheet.png
add_executable(contact_sheet_tool tools/contact_sheet.cpp)
target_link_libraries(contact_sheet_tool PRIVATE vexacore)

add_custom_target(contact-sheet
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:contact_sheet_tool> ${CMAKE_BINARY_DIR}/contact-sheet.png
  DEPENDS contact_sheet_tool
  BYPRODUCTS ${CMAKE_BINARY_DIR}/contact-sheet.png
  COMMENT "Drawing the image list's contact sheet"
  VERBATIM
)
