# SPDX-License-Identifier: MIT
# velmora_add_raw_pictures(<target> <resource name> <prefix> <picture>...): compiles the pictures
# into the target's Qt resources as raw pixels (tools/rawpicture), stored uncompressed, so that
# the program draws them straight from its own image with nothing to decode. Each picture is
# found at <prefix>/<file name without its extension>; platform/qt/pictures.h reads it.
function(velmora_add_raw_pictures target name prefix)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${name})
    set(qrc "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"${prefix}\">\n")
    set(raws)
    foreach(picture IN LISTS ARGN)
        get_filename_component(base ${picture} NAME)
        string(REGEX REPLACE "\\.[^.]*$" "" base ${base})
        set(raw ${folder}/${base})
        add_custom_command(OUTPUT ${raw}
            COMMAND velmora_rawpicture ${picture} ${raw}
            DEPENDS velmora_rawpicture ${picture}
            COMMENT "Raw pixels of ${base}")
        list(APPEND raws ${raw})
        string(APPEND qrc "        <file>${base}</file>\n")
    endforeach()
    string(APPEND qrc "    </qresource>\n</RCC>\n")
    file(WRITE ${folder}/${name}.qrc "${qrc}")
    set(source ${folder}/qrc_${name}.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND Qt${QT_VERSION_MAJOR}::rcc --no-compress --name ${name} -o ${source}
                ${folder}/${name}.qrc
        DEPENDS ${raws} ${folder}/${name}.qrc
        COMMENT "Resources ${name}")
    target_sources(${target} PRIVATE ${source})
endfunction()
