// qvd_idl: writes the type library's IDL to the file it is given.
#include <fstream>
#include <iostream>

#include "typelib/IdlWriter.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: qvd_idl OUTPUT.idl\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  qvdcom::writeIdl(out);
  out.close();
  if (!out) {
    std::cerr << "qvd_idl: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
