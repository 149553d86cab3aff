# SPDX-License-Identifier: GPL-3.0-or-later
# tl_embed_translations(TARGET CATALOG...): the target carries the catalogs'
# English translations as ":/i18n/<catalog>_en.qm".
function(tl_embed_translations target)
    foreach(catalog IN LISTS ARGN)
        get_property(qm GLOBAL PROPERTY TL_QM_${catalog})
        qt_add_resources(${target} "${target}_i18n_${catalog}" PREFIX /i18n
                         BASE ${PROJECT_BINARY_DIR}/translations FILES ${qm})
    endforeach()
    add_dependencies(${target} tl_translations)
endfunction()
