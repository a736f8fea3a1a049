// formtool: checks a text form file and writes it back in canonical form.
//
//   formtool FILE            check FILE and print the canonical form
//   formtool FILE -o OUT     check FILE and write the canonical form to OUT
//   formtool --check FILE    check only
//   formtool FILE --png OUT  render the form (shown and active, as on screen) to a PNG
//   formtool --routes FILE   check the routes of the form's wizards: one line per finding,
//                            FILE: position N (page "Name"): message; exit code 1 on an error
//   formtool --dot FILE      write the wizards' route graphs in Graphviz's dot language
//                            (to OUT with -o)
//   --ask POS=T1,T2          the positions the OnAskPageChange handler may choose on the
//                            "Ask" row at POS (-1: finish), for --routes and --dot
//
// The first error is reported as FILE:LINE:COLUMN: message, with exit code 1.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "host/streaming/Filer.h"
#include "RouteReport.h"
#include "host/forms/Forms.h"
#include "zelvant/Package.h"

namespace {

int Usage() {
  std::cerr << "usage: formtool [--check | --routes | --dot] FILE [-o OUT] [--png OUT] [--ask POS=T1,T2...]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, output, png;
  bool checkOnly = false, routes = false, dot = false;
  zelvant::TRouteOptions routeOptions;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--check") checkOnly = true;
    else if (arg == "--routes") routes = true;
    else if (arg == "--dot") dot = true;
    else if (arg == "--ask" && i + 1 < argc) {
      if (!formtool::ParseAskTargets(argv[++i], routeOptions)) return Usage();
    }
    else if (arg == "-o" && i + 1 < argc) output = argv[++i];
    else if (arg == "--png" && i + 1 < argc) png = argv[++i];
    else if (!arg.empty() && arg[0] != '-' && input.empty()) input = arg;
    else return Usage();
  }
  if (input.empty()) return Usage();
  zelvant::PackageDescription();  // the package's classes must be registered

  std::string text;
  try {
    text = host::ReadTextFile(input);
  } catch (const host::Exception& e) {
    std::cerr << input << ": " << e.Message() << "\n";
    return 1;
  }
  // A form's own class is not known to this tool: read it as a plain form and keep
  // its class name and event handler names for writing it back.
  host::TReadOptions options;
  options.FallbackRootClass = host::FindClass("TForm");
  if (!options.FallbackRootClass) options.FallbackRootClass = &host::TComponent::StaticClassInfo();
  options.KeepUnboundEvents = true;
  host::TReader reader(text, options);
  std::unique_ptr<host::TComponent> root;
  try {
    root.reset(reader.ReadRootComponent());
  } catch (const host::EFormReadError& e) {
    std::cerr << input << ":" << e.Line() << ":" << e.Column() << ": "
              << (e.Context().empty() ? e.Detail() : "error reading " + e.Context() + ": " + e.Detail()) << "\n";
    return 1;
  } catch (const host::Exception& e) {
    std::cerr << input << ": " << e.Message() << "\n";
    return 1;
  }
  if (checkOnly) {
    std::cout << input << ": ok\n";
    return 0;
  }
  if (dot) {
    std::ofstream file;
    if (!output.empty()) {
      file.open(output, std::ios::binary);
      if (!file) {
        std::cerr << output << ": cannot write\n";
        return 1;
      }
    }
    formtool::WriteRouteDot(*root, routeOptions, output.empty() ? std::cout : file);
    // With --routes too, the findings go to the error stream beside the graph.
    return routes ? formtool::ReportRoutes(input, *root, routeOptions, std::cerr) : 0;
  }
  if (routes) return formtool::ReportRoutes(input, *root, routeOptions, std::cout);
  if (!png.empty()) {
    auto* form = dynamic_cast<host::TCustomForm*>(root.get());
    if (!form) {
      std::cerr << input << ": the root component is not a form\n";
      return 1;
    }
    try {
      form->Show();
      form->SaveToPng(png);
      form->Hide();
    } catch (const host::Exception& e) {
      std::cerr << png << ": " << e.Message() << "\n";
      return 1;
    }
    if (output.empty()) return 0;
  }
  std::string canonical = host::WriteForm(root.get(), reader.RootClassName());
  if (output.empty()) {
    std::cout << canonical;
    return 0;
  }
  try {
    host::WriteTextFile(output, canonical);
  } catch (const host::Exception& e) {
    std::cerr << output << ": " << e.Message() << "\n";
    return 1;
  }
  return 0;
}
