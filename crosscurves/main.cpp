// Pendrovix: not built yet; the program only says so.
#include <iostream>

int main() {
  std::cerr << "Pendrovix: this program is not built yet.\n";
  return 3;
}
