# Embeds a data folder into TARGET through Qt's resource compiler, uncompressed,
# so that the resource store can hand out the bytes in place.
#
# A data folder holds one sub-folder per resource type: "RT_RCDATA" is the
# numbered type 10, every other sub-folder name is a named type ("GIF", "TFP").
# A file's resource name is its base name without extension; case does not matter.
# EXCLURE names base names to leave out (fixtures that lack one resource).
# The files land under ":/<RACINE>/N_10/..." or ":/<RACINE>/T_<TYPE>/...", which
# keeps a numbered and a named type apart whatever their spelling.
function(armo_embarquer_donnees)
    cmake_parse_arguments(ARG "BIG" "TARGET;DIR;RACINE" "EXCLURE" ${ARGN})
    file(GLOB types LIST_DIRECTORIES true CONFIGURE_DEPENDS "${ARG_DIR}/*")
    set(n 0)
    foreach(typedir IN LISTS types)
        if(NOT IS_DIRECTORY "${typedir}")
            continue()
        endif()
        get_filename_component(type "${typedir}" NAME)
        file(GLOB fichiers CONFIGURE_DEPENDS "${typedir}/*")
        list(FILTER fichiers EXCLUDE REGEX "/README[^/]*$")
        foreach(nom IN LISTS ARG_EXCLURE)
            list(FILTER fichiers EXCLUDE REGEX "/${nom}(\\.[^/]*)?$")
        endforeach()
        if(NOT fichiers)
            continue()
        endif()
        string(TOUPPER "${type}" typeup)
        if(typeup STREQUAL "RT_RCDATA")
            set(cle "N_10")
        else()
            set(cle "T_${typeup}")
        endif()
        math(EXPR n "${n} + 1")
        set(big)
        if(ARG_BIG)
            set(big BIG_RESOURCES)
        endif()
        qt_add_resources(${ARG_TARGET} "${ARG_RACINE}_${n}"
            PREFIX "/${ARG_RACINE}/${cle}"
            BASE "${typedir}"
            ${big}
            OPTIONS -no-compress
            FILES ${fichiers})
    endforeach()
endfunction()
