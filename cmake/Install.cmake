# Installation and the Debian package.
#
# Layout under the prefix:
#   lib/tessilar/            the program folder: the executable and the files shipped beside it,
#                            nothing else (the program lists its subfolders as languages)
#   bin/tessilar             relative symbolic link to lib/tessilar/tessilar; the program finds
#                            its folder through its own resolved path, so the link works
#   share/applications/      the desktop entry
#   share/icons/hicolor/     the application icon, SVG and PNG sizes
#   share/metainfo/          the AppStream description
#   share/man/man1/          the manual page
#   share/doc/tessilar/      the copyright file and the changelog
#   share/tessilar/web/      the browser edition, one self-contained page (when it was built)
#
# Every rule here belongs to the component "tessilar", and the package takes that component only,
# so a stray install rule elsewhere in the tree (a library, a test) cannot slip into the package;
# the install test checks the full file list of a plain `cmake --install`.

set(TESSILAR_INSTALL_COMPONENT tessilar)
set(TESSILAR_INSTALL_PROGRAM_DIR lib/tessilar)
set(TESSILAR_APP_ID example.tessilar.Tessilar)
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS tessilar
  RUNTIME DESTINATION ${TESSILAR_INSTALL_PROGRAM_DIR}
  COMPONENT ${TESSILAR_INSTALL_COMPONENT})
# A stripped install (the package's) also drops the compiler's version notes, as Debian's own
# packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TESSILAR_INSTALL_PROGRAM_DIR}/tessilar\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()" COMPONENT ${TESSILAR_INSTALL_COMPONENT})

# The same list of shipped files that app/ copies into the build's program folder.
get_directory_property(shipped_files DIRECTORY ${PROJECT_SOURCE_DIR}/app
  DEFINITION TESSILAR_SHIPPED_FILES)
if(NOT shipped_files)
  message(FATAL_ERROR "app/ declares no shipped files (TESSILAR_SHIPPED_FILES)")
endif()
foreach(file IN LISTS shipped_files)
  cmake_path(GET file PARENT_PATH subfolder)
  install(FILES ${PROJECT_SOURCE_DIR}/dist/${file}
    DESTINATION ${TESSILAR_INSTALL_PROGRAM_DIR}/${subfolder}
    COMPONENT ${TESSILAR_INSTALL_COMPONENT})
endforeach()

# A symbolic link made in the build tree installs as a link (install(FILES) does not follow it);
# relative, so it holds under any prefix and inside the package's staging folder.
set(bin_link ${CMAKE_CURRENT_BINARY_DIR}/install/tessilar)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/install)
file(CREATE_LINK ../${TESSILAR_INSTALL_PROGRAM_DIR}/tessilar ${bin_link} SYMBOLIC)
install(FILES ${bin_link} DESTINATION bin COMPONENT ${TESSILAR_INSTALL_COMPONENT})

install(FILES ${packaging_dir}/tessilar.desktop
  DESTINATION share/applications COMPONENT ${TESSILAR_INSTALL_COMPONENT})
install(FILES ${packaging_dir}/${TESSILAR_APP_ID}.metainfo.xml
  DESTINATION share/metainfo COMPONENT ${TESSILAR_INSTALL_COMPONENT})
install(FILES ${packaging_dir}/icons/tessilar.svg
  DESTINATION share/icons/hicolor/scalable/apps COMPONENT ${TESSILAR_INSTALL_COMPONENT})
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  install(FILES ${packaging_dir}/icons/hicolor/${size}x${size}/apps/tessilar.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT ${TESSILAR_INSTALL_COMPONENT})
endforeach()

# The browser edition: scripts/web.sh builds one self-contained page (the WebAssembly core, the
# script, the styles, both catalogues and the guide inlined), which a student opens from the disk
# or a teacher puts on a web server. A plain install takes it when it has been built; the package
# requires it (scripts/package.sh builds it first and sets TESSILAR_REQUIRE_WEB_PAGE).
set(TESSILAR_WEB_PAGE ${PROJECT_SOURCE_DIR}/build-web/tessilar.html CACHE FILEPATH
  "The browser edition's page, built by scripts/web.sh")
option(TESSILAR_REQUIRE_WEB_PAGE "Fail when the browser edition's page has not been built" OFF)
# Beside the page, the same page as a SCORM 1.2 package for learning platforms (scripts/web.sh
# writes both).
cmake_path(REPLACE_FILENAME TESSILAR_WEB_PAGE tessilar-scorm12.zip OUTPUT_VARIABLE scorm_package)
foreach(web_file IN ITEMS ${TESSILAR_WEB_PAGE} ${scorm_package})
  if(TESSILAR_REQUIRE_WEB_PAGE)
    if(NOT EXISTS ${web_file})
      message(FATAL_ERROR "no ${web_file}: build the browser edition with scripts/web.sh")
    endif()
    install(FILES ${web_file} DESTINATION share/tessilar/web
      COMPONENT ${TESSILAR_INSTALL_COMPONENT})
  else()
    install(FILES ${web_file} DESTINATION share/tessilar/web OPTIONAL
      COMPONENT ${TESSILAR_INSTALL_COMPONENT})
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/PackageDocuments.cmake)

# The Debian package (scripts/package.sh runs `cpack -G DEB` in a Release build).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessilar)
set(CPACK_PACKAGE_VENDOR "Tessilar maintainers")
set(CPACK_PACKAGE_CONTACT "Tessilar maintainers <maintainers@tessilar.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulation of the oil-drop experiment")
# Wrapped by hand: the Debian control file keeps the lines as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tessilar is a desktop teaching simulation of the oil-drop experiment that"
  "measures the elementary charge. The student sprays 100 oil droplets between"
  "two capacitor plates, watches them through a simulated measuring microscope,"
  "sets and reverses the plate voltage, sets the chamber temperature and times"
  "the droplets with a stopwatch that runs in simulated time. The texts are in"
  "Hungarian and English."
  "."
  "The browser edition, one self-contained HTML page that runs offline in any"
  "modern browser, is installed as /usr/share/tessilar/web/tessilar.html.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Lintian's overrides belong to the Debian package alone: a component of their own that only a
# component install, as the package's, takes (EXCLUDE_FROM_ALL keeps it out of a plain
# `cmake --install`).
install(FILES ${packaging_dir}/lintian-overrides DESTINATION share/lintian/overrides
  RENAME tessilar COMPONENT debian EXCLUDE_FROM_ALL)
# Only the program's component and the overrides, from this build tree, at the package's root.
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${CMAKE_BINARY_DIR};${PROJECT_NAME};${TESSILAR_INSTALL_COMPONENT};/"
  "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessilar maintainers <maintainers@tessilar.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt and C++ runtime libraries come from dpkg-shlibdeps; the fonts are loaded at run time
# (the program's fonts map to Liberation Sans), so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
