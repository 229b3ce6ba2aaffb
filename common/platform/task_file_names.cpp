#include "common/platform/task_file_names.hpp"


namespace platform {

void ReadTaskFileNames(InputFile& in, TaskFileNames& names) {
  in.SkipLines(11);                                                    // heading block, lines 1-11
  names.DATAFILE = in.ReadName("offset tablosunun adi (DATAFILE)");    // 12
  in.SkipLine();
  names.DATADIR = in.ReadName("veri dizini (DATADIR)");                // 14
  in.SkipLine();
  names.REPORTFILE = in.ReadName("rapor dosyasinin adi (REPORTFILE)"); // 16
  in.SkipLine();
  names.OUTDIR = in.ReadName("cikti dizini (OUTDIR)");                 // 18
}

}  // namespace platform
