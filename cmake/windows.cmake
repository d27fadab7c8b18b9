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

# Qt's own words in the player's language (the box's "OK", the counter box's menu), which Linux
# takes from Debian's qt6-translations-l10n: Qt's catalogues of the same version, for the languages
# the game speaks, cut down to the words its windows can show.
foreach(ts ${TS_FILES})
  string(REGEX REPLACE ".*/gridora_(.*)\\.ts$" "\\1" language ${ts})
  set(qm /usr/share/qt6/translations/qtbase_${language}.qm)
  if(EXISTS ${qm})
    set(trimmed ${PROJECT_BINARY_DIR}/qt_translations/qtbase_${language}.qm)
    add_custom_command(OUTPUT ${trimmed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/qt_translations
      COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/trim-qt-catalogue.sh $<TARGET_FILE:Qt6::lconvert> ${qm} ${trimmed}
      DEPENDS ${qm} ${PROJECT_SOURCE_DIR}/cmake/trim-qt-catalogue.sh VERBATIM)
    list(APPEND qt_qm_files ${trimmed})
  endif()
endforeach()
qt_add_resources(gridora_qt qt_translations PREFIX /i18n BASE ${PROJECT_BINARY_DIR}/qt_translations
                 FILES ${qt_qm_files} OPTIONS --format-version 1)

target_link_libraries(gridora PRIVATE gridora_qt)
# The game draws in Fusion, its pictures are PNG, and it goes on no network: Qt's other styles,
# image formats and TLS backends stay out.
qt_import_plugins(gridora EXCLUDE_BY_TYPE styles EXCLUDE_BY_TYPE imageformats EXCLUDE_BY_TYPE tls)
target_link_options(gridora PRIVATE -s)

# The yardstick beside it, built the same way: `make windows` prints both sizes.
add_executable(minimal WIN32 bench/minimal_windows.cpp)
target_link_libraries(minimal PRIVATE Qt6::Widgets Qt6::Multimedia)
qt_import_plugins(minimal EXCLUDE_BY_TYPE styles EXCLUDE_BY_TYPE imageformats EXCLUDE_BY_TYPE tls)
target_link_options(minimal PRIVATE -s)
