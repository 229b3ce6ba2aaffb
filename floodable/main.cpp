// Dolvenika_Tez: not built yet; the program only says so.
#include <iostream>

int main() {
  std::cerr << "Dolvenika_Tez: this program is not built yet.\n";
  return 3;
}
