# The Qt side of documents: open and save, the template scan, printing.
foreach(test tst_documents tst_template_scan tst_print_code)
    quillmark_gui_test(${test} document_fixtures.h)
endforeach()
