# Gridora for Windows: one gridora.exe for the GUI subsystem, Qt and the C++ runtime linked in
# statically, with its icon, version, manifest and the captions' font inside. Included by
# CMakeLists.txt when it builds for Windows (make windows).
enable_language(RC)
set_target_properties(gridora PROPERTIES WIN32_EXECUTABLE ON)
configure_file(resources/gridora.exe.manifest.in gridora.exe.manifest @ONLY)
configure_file(resources/gridora.rc.in gridora.rc @ONLY)
target_sources(gridora PRIVATE ${PROJECT_BINARY_DIR}/gridora.rc)
set_source_files_properties(${PROJECT_BINARY_DIR}/gridora.rc PROPERTIES
  OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/gridora.ico;${PROJECT_BINARY_DIR}/gridora.exe.manifest")

# DejaVu Sans Condensed, under its free licence, from Debian's fonts-dejavu-extra.
set(dejavu /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf)
set_source_files_properties(${dejavu} PROPERTIES QT_RESOURCE_ALIAS DejaVuSansCondensed.ttf)
qt_add_resources(gridora_qt fonts PREFIX /fonts FILES ${dejavu} OPTIONS --format-version 1)

target_link_libraries(gridora PRIVATE gridora_qt)
# The game draws in Fusion, its pictures are PNG, and it goes on no network: Qt's other styles,
# image formats and TLS backends stay out.
qt_import_plugins(gridora EXCLUDE_BY_TYPE styles EXCLUDE_BY_TYPE imageformats EXCLUDE_BY_TYPE tls)
target_link_options(gridora PRIVATE -s)
