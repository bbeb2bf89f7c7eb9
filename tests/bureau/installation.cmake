# Installs the build into an empty prefix as a user would, then checks that
# exactly the program and its desktop files landed there, and that the files
# name one another rightly: the menu entry starts the installed program and
# shows the installed icon, the software-centre entry launches the menu entry
# and carries this version.
#
#   cmake -DCONSTRUCTION=<build> -DPREFIXE=<prefix> -DID=<id> -DVERSION=<version>
#         -DTAILLES=<size,size,...> -P installation.cmake
file(REMOVE_RECURSE "${PREFIXE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${CONSTRUCTION}" --prefix "${PREFIXE}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${sortie}")
endif()

set(attendus
    "bin/armoriane"
    "share/applications/${ID}.desktop"
    "share/metainfo/${ID}.metainfo.xml"
    "share/doc/armoriane/copyright")
string(REPLACE "," ";" TAILLES "${TAILLES}")
foreach(t IN LISTS TAILLES)
    list(APPEND attendus "share/icons/hicolor/${t}x${t}/apps/${ID}.png")
endforeach()
file(GLOB_RECURSE installes RELATIVE "${PREFIXE}" "${PREFIXE}/*")
list(SORT attendus)
list(SORT installes)
if(NOT installes STREQUAL attendus)
    string(REPLACE ";" "\n  " a "${attendus}")
    string(REPLACE ";" "\n  " i "${installes}")
    message(FATAL_ERROR "installed files:\n  ${i}\nexpected:\n  ${a}")
endif()

execute_process(COMMAND test -x "${PREFIXE}/bin/armoriane" RESULT_VARIABLE rc)
file(READ "${PREFIXE}/bin/armoriane" entete LIMIT 4 HEX)
if(NOT rc EQUAL 0 OR NOT entete STREQUAL "7f454c46")
    message(FATAL_ERROR "bin/armoriane is not an executable program")
endif()

set(erreurs)
macro(attendre quoi valeur attendu)
    if(NOT "${valeur}" STREQUAL "${attendu}")
        list(APPEND erreurs "${quoi}: \"${valeur}\", expected \"${attendu}\"")
    endif()
endmacro()

# The value of a key of the [Desktop Entry] group, as the first line "key=...".
file(STRINGS "${PREFIXE}/share/applications/${ID}.desktop" lignes ENCODING UTF-8)
macro(cle nom variable)
    set(${variable} "")
    foreach(l IN LISTS lignes)
        if(l MATCHES "^${nom}=(.*)$")
            set(${variable} "${CMAKE_MATCH_1}")
            break()
        endif()
    endforeach()
endmacro()
cle(Exec exec)
string(REGEX REPLACE " .*" "" exec "${exec}")
attendre("Exec" "${exec}" "armoriane")
cle(Icon icone)
attendre("Icon" "${icone}" "${ID}")
cle(Name nom)
attendre("Name" "${nom}" "Armoriane")
cle(Type type)
attendre("Type" "${type}" "Application")
cle(Terminal terminal)
attendre("Terminal" "${terminal}" "false")
cle(Categories categories)
# Reference is no registered category: the entry carries it as X-Reference.
foreach(categorie Education X-Reference)
    if(NOT categories MATCHES "(^|;)${categorie};")
        list(APPEND erreurs "Categories \"${categories}\" lack ${categorie}")
    endif()
endforeach()
cle(Comment commentaire)
if(commentaire STREQUAL "")
    list(APPEND erreurs "no Comment")
endif()

file(READ "${PREFIXE}/share/metainfo/${ID}.metainfo.xml" xml)
string(REGEX MATCH "<id>([^<]*)</id>" _ "${xml}")
attendre("metainfo id" "${CMAKE_MATCH_1}" "${ID}")
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${xml}")
attendre("metainfo launchable" "${CMAKE_MATCH_1}" "${ID}.desktop")
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${xml}")
attendre("metainfo release" "${CMAKE_MATCH_1}" "${VERSION}")
string(REGEX MATCH "<binary>([^<]*)</binary>" _ "${xml}")
attendre("metainfo binary" "${CMAKE_MATCH_1}" "armoriane")
if(xml MATCHES "@[A-Z_]+@")
    list(APPEND erreurs "metainfo keeps an unconfigured ${CMAKE_MATCH_0}")
endif()

if(erreurs)
    string(REPLACE ";" "\n  " e "${erreurs}")
    message(FATAL_ERROR "installed desktop files:\n  ${e}")
endif()
message(STATUS "installed into ${PREFIXE}: ${installes}")
