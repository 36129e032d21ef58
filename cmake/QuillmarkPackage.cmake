# The release: `cmake --build <dir> --target package` makes quillmark-<version>-win64.zip with one
# folder holding both executables, the user guide and the licence at its top; the model's files
# install themselves into meshes\ and textures\ beside them.
install(TARGETS quillmark quillmark-cli RUNTIME DESTINATION .)
# The licence goes in as LICENSE.txt with CRLF line ends, so that a double-click opens it in any
# Notepad; the guide is kept that way in the repository already.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
file(WRITE ${CMAKE_BINARY_DIR}/generated/LICENSE.txt "${licence}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
install(FILES ${CMAKE_SOURCE_DIR}/docs/使用说明.txt ${CMAKE_BINARY_DIR}/generated/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME quillmark-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
