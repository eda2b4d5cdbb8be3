# Run as: cmake -DSOURCE=page.md -DOUTPUT=page.1 -DPAGE=zarn-generate -DVERSION=1.0.0 -DGO_MD2MAN=... -P manpage.cmake
# The page carries no title line, so that it reads well as Markdown; the man
# page gets one here.
file(READ ${SOURCE} text)
string(TOUPPER ${PAGE} title)
get_filename_component(dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
file(WRITE ${OUTPUT}.md "% ${title} 1 \"\" \"zarn ${VERSION}\" \"zarn Manual\"\n\n${text}")
execute_process(COMMAND ${GO_MD2MAN} -in ${OUTPUT}.md -out ${OUTPUT}
    RESULT_VARIABLE result ERROR_VARIABLE errors)
file(REMOVE ${OUTPUT}.md)
# go-md2man warns of what it drops (HTML) and still succeeds: a page must not lose text.
if(NOT result EQUAL 0 OR errors)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "go-md2man failed on ${SOURCE}: ${errors}")
endif()
