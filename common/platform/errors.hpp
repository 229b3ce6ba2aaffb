#pragma once
#include <stdexcept>

namespace platform {

// A check of the user's data failed inside a routine that has no session at
// hand (a numerical routine, for example, given two abscissae that coincide
// where a straight line needs two points).  The program's run wrapper
// reports the message and ends with the data-error status.
struct DataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A number that is not finite (NaN, an infinity) on its way into the text of
// an output: the data led the calculation where it has no value.  No output
// ever holds such a number; the run stops as for any data error.
struct NonFiniteNumber : DataError {
  NonFiniteNumber()
      : DataError("Hesap sonlu olmayan bir sayi (NaN ya da sonsuz) verdi; bu sayi bir cikti dosyasina "
                  "yazilamaz. Gorev dosyasindaki ve offset tablosundaki degerleri denetleyin.") {}
};

}  // namespace platform
