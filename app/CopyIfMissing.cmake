# Copies FROM to TO unless TO exists: the user's own copy of a shipped file is kept.
if(NOT EXISTS "${TO}")
    file(COPY_FILE "${FROM}" "${TO}")
endif()
