# qm_version: the include folder of QuillmarkVersion.h, made from the project's version. Whatever
# shows the version links it; the program's manifest is made from the same number.
configure_file(${CMAKE_CURRENT_LIST_DIR}/QuillmarkVersion.h.in ${CMAKE_BINARY_DIR}/generated/QuillmarkVersion.h
               @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/quillmark.manifest.in ${CMAKE_BINARY_DIR}/generated/quillmark.manifest
               @ONLY)
add_library(qm_version INTERFACE)
target_include_directories(qm_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
