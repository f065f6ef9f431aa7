// Every picture is decoded and written back before it is shown, so a file saved by some
// other tool (odd chunks, colour profiles) is normalised once into a plain PNG.
#pragma once

#include <QString>

// Re-saves the file when it exists and its complete suffix is exactly "png"; any other
// suffix (also "PNG"), a missing file or an undecodable one is left untouched, and so is
// every file of a read-only installation (App_MayRewrite).
void Png_Resave(const QString &path);
