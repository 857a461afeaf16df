# The documents that every Debian package carries, generated into the build tree and installed
# with the program:
#   share/man/man1/tessilar.1.gz         the manual page, from packaging/tessilar.1
#   share/doc/tessilar/changelog.gz      one entry per release, from packaging/changelog
#   share/doc/tessilar/copyright         machine-readable, its licence text taken from LICENSE
# Both compressed files use gzip -9n: best compression, and no file name or time stamp, so their
# bytes depend on the text alone.
# Included from Install.cmake, which sets packaging_dir and TESSILAR_INSTALL_COMPONENT.

# The package's version comes from project(); the changelog's newest entry must say the same.
file(STRINGS ${packaging_dir}/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^tessilar \\(([^)]+)\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with a \"tessilar (VERSION)\" entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog's newest entry is ${CMAKE_MATCH_1}, the project is "
    "${PROJECT_VERSION}: add an entry for the release")
endif()

find_program(TESSILAR_GZIP gzip REQUIRED)
set(documents_dir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${documents_dir})

set(document_outputs)
foreach(document IN ITEMS tessilar.1 changelog)
  add_custom_command(OUTPUT ${documents_dir}/${document}.gz
    COMMAND ${TESSILAR_GZIP} -9n -c ${packaging_dir}/${document} > ${documents_dir}/${document}.gz
    DEPENDS ${packaging_dir}/${document}
    COMMENT "Compressing ${document}"
    VERBATIM)
  list(APPEND document_outputs ${documents_dir}/${document}.gz)
endforeach()

add_custom_command(OUTPUT ${documents_dir}/copyright
  COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${packaging_dir}/copyright.in
    -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE -DOUTPUT=${documents_dir}/copyright
    -P ${PROJECT_SOURCE_DIR}/cmake/WriteCopyright.cmake
  DEPENDS ${packaging_dir}/copyright.in ${PROJECT_SOURCE_DIR}/LICENSE
    ${PROJECT_SOURCE_DIR}/cmake/WriteCopyright.cmake
  COMMENT "Writing the copyright file"
  VERBATIM)
list(APPEND document_outputs ${documents_dir}/copyright)

add_custom_target(tessilar_documents ALL DEPENDS ${document_outputs})
# A build of the program alone (scripts/run.sh) can be installed too; the documents take no time.
add_dependencies(tessilar tessilar_documents)

install(FILES ${documents_dir}/tessilar.1.gz
  DESTINATION share/man/man1 COMPONENT ${TESSILAR_INSTALL_COMPONENT})
install(FILES ${documents_dir}/changelog.gz ${documents_dir}/copyright
  DESTINATION share/doc/tessilar COMPONENT ${TESSILAR_INSTALL_COMPONENT})
