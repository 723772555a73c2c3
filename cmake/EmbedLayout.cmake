# A window's layout (a form text file) compiled into the program: TEMPLATE, a C++ source that
# names @POTERINKO_LAYOUT@, is configured with the file's text into the build folder and added
# to TARGET. Editing the layout configures the build again.
function(poterinko_embed_layout target layout template)
  file(READ ${CMAKE_CURRENT_SOURCE_DIR}/${layout} POTERINKO_LAYOUT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${layout})
  string(REGEX REPLACE "\\.in$" "" source ${template})
  configure_file(${template} ${CMAKE_CURRENT_BINARY_DIR}/${source} @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${source})
endfunction()
