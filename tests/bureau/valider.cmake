# Runs a validator of the desktop's file formats on an installed file; any
# error or warning fails, hints and pedantic notes pass. Without the validator
# the test is skipped: tools/paquets.sh installs it.
#
#   cmake -DOUTIL=<program> -DFICHIER=<file> -P valider.cmake
find_program(outil NAMES "${OUTIL}")
if(NOT outil)
    message("SKIPPED: ${OUTIL} is not installed (tools/paquets.sh installs it)")
    return()
endif()
if(OUTIL STREQUAL "appstreamcli")
    set(commande "${outil}" validate --no-net --no-color "${FICHIER}")
else()
    set(commande "${outil}" "${FICHIER}")
endif()
execute_process(COMMAND ${commande} RESULT_VARIABLE rc OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
message("${sortie}")
if(NOT rc EQUAL 0 OR sortie MATCHES "(^|\n)[^\n]*(error|warning)[: ]" OR sortie MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "${OUTIL} rejects ${FICHIER} (status ${rc})")
endif()
