# Writes the Debian copyright file from packaging/copyright.in and the LICENSE file, so that the
# licence text is kept in one place: the copyright line and the licence's wording come from
# LICENSE, its title line ("MIT License") being replaced by the template's License field.
#   cmake -DTEMPLATE=copyright.in -DLICENSE=LICENSE -DOUTPUT=copyright -P WriteCopyright.cmake
foreach(variable IN ITEMS TEMPLATE LICENSE OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "WriteCopyright.cmake needs -D${variable}=...")
  endif()
endforeach()

file(READ ${LICENSE} licence)
string(REGEX MATCH "\nCopyright \\(c\\) ([^\n]+)\n" copyright_line "${licence}")
if(NOT copyright_line)
  message(FATAL_ERROR "${LICENSE} has no \"Copyright (c) YEAR HOLDER\" line")
endif()
set(TESSILAR_COPYRIGHT ${CMAKE_MATCH_1})

# The wording: everything after the copyright line, as a field's continuation lines (one space
# in front, an empty line written as " .").
string(FIND "${licence}" "${copyright_line}" start)
string(LENGTH "${copyright_line}" length)
math(EXPR start "${start} + ${length}")
string(SUBSTRING "${licence}" ${start} -1 wording)
string(STRIP "${wording}" wording)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" wording "${wording}")
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" wording "${wording}")
string(REPLACE "\n" "\n " wording " ${wording}")
set(TESSILAR_LICENSE_TEXT "${wording}")

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
