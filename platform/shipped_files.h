#pragma once
// The files that ship with the program: the reference data ("data/cty.dat", ...) and the help
// files ("help/KorvelEngl.HLP", ...). An installed program finds them in share/korvel beside
// its bin folder, wherever it was installed; a program without that folder (run from its
// build folder, or a test) uses the copies built into it as resources (":/data/cty.dat").

#include <QString>

namespace korvel {

// `name` ("data/cty.dat") in the shipped-files folder of the program in `programDir`, when
// that file exists; else the copy built into the program (":/data/cty.dat").
QString shippedFile(const QString& name, const QString& programDir);

// The same for the running program (the folder of its executable).
QString shippedFile(const QString& name);

// The shipped-files folder of the program in `programDir` ("<prefix>/share/korvel" for
// "<prefix>/bin"), whether it exists or not.
QString shippedFilesDir(const QString& programDir);

} // namespace korvel
