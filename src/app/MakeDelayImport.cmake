# Writes a module-definition file naming every export of an import library, for dlltool -y.
# Usage: cmake -DNM=<nm> -DIMPORT=<lib.a> -DDLL=<name.dll> -DDEF=<out.def> -P MakeDelayImport.cmake
execute_process(COMMAND ${NM} -g --defined-only ${IMPORT} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${NM} could not read ${IMPORT}")
endif()
string(REGEX MATCHALL "[0-9a-fA-F]+ T [A-Za-z_][A-Za-z0-9_]*" functions "${symbols}")
set(text "LIBRARY ${DLL}\nEXPORTS\n")
foreach(line IN LISTS functions)
    string(REGEX REPLACE ".* T " "" name "${line}")
    string(APPEND text "    ${name}\n")
endforeach()
file(WRITE ${DEF} "${text}")
