set(QUILLMARK_DOCUMENTS_SOURCES
    documents/document_file.cpp documents/document_file.h
    documents/templates.cpp documents/templates.h
    documents/printing.cpp documents/printing.h
    documents/picture_image.cpp documents/picture_image.h
)
