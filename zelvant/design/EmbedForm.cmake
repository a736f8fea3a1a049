# Writes a form file as a C++ string constant: -DIN=form.dfm -DOUT=form.cpp -DUNIT=name.
file(READ ${IN} text)
if(text MATCHES "\\)dfm\"")
  message(FATAL_ERROR "${IN} holds the raw string's closing sequence")
endif()
file(WRITE ${OUT} "// Generated from ${UNIT}.dfm; edit that file instead.\n"
  "#include \"zelvant/design/FormResources.h\"\n\n"
  "namespace zelvant::resources {\n\n"
  "const std::string_view ${UNIT}Form = R\"dfm(${text})dfm\";\n\n"
  "}  // namespace zelvant::resources\n")
