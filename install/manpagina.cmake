# Writes the manual page of a program from its own --help text, so that the two always say the
# same. The first line of that text ("Gedenkjes - what it does.") gives the NAME section; the rest
# stands as written.
#   cmake -DPROGRAMMA=path/to/gedenkjes-cli -DVERSIE=4.00 -DUIT=gedenkjes-cli.1 -P manpagina.cmake
execute_process(COMMAND ${PROGRAMMA} --help OUTPUT_VARIABLE hulp RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAMMA} --help gaf status ${status}")
endif()
get_filename_component(naam ${PROGRAMMA} NAME)

string(FIND "${hulp}" "\n" einde)
string(SUBSTRING "${hulp}" 0 ${einde} eerste)
math(EXPR einde "${einde} + 1")
string(SUBSTRING "${hulp}" ${einde} -1 rest)
string(REGEX REPLACE "^\n" "" rest "${rest}")
string(FIND "${eerste}" " - " streep)
math(EXPR streep "${streep} + 3")
string(SUBSTRING "${eerste}" ${streep} -1 wat)
string(REGEX REPLACE "\\.$" "" wat "${wat}")

# roff: a backslash is written \e, a minus \- (so that options can be copied), and a line that
# starts with a dot or an apostrophe would be read as a request.
function(roff tekst uit)
  string(REPLACE "\\" "\\e" tekst "${tekst}")
  string(REPLACE "-" "\\-" tekst "${tekst}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" tekst "${tekst}")
  set(${uit} "${tekst}" PARENT_SCOPE)
endfunction()
roff("${wat}" wat)
roff("${rest}" rest)
roff("${naam}" naam)
string(TOUPPER "${naam}" titel)

file(WRITE ${UIT} ".TH ${titel} 1 \"\" \"Gedenkjes ${VERSIE}\" \"Gedenkjes\"\n"
  ".nh\n.SH NAAM\n${naam} \\- ${wat}\n"
  ".SH BESCHRIJVING\n.nf\n${rest}.fi\n")
