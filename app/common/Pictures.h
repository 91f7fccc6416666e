#pragma once

#include <QIcon>
#include <QPixmap>

namespace vexa::app {

// The program's own pictures, drawn rather than loaded, so that they stay sharp at
// any size and need no files beside the program.
enum class Picture {
    Selection,       // magnifier over a coil: the selection mode
    Rating,          // a gauge: the rating mode
    HeatPipe,        // a finned heat pipe
    WaterCoil,       // heat pipe with a chilled water coil (a drop)
    RefrigerantCoil, // heat pipe with a refrigerant coil (a snow crystal)
    Calculate,
    Costing,
    PrintSummary,
    ExitProgram,
    Help,
};

QPixmap picture(Picture which, int size);
QIcon icon(Picture which);

// The maker's logo, about width x height.
QPixmap logoPicture(int width, int height);

// The splash picture: a wrap-around heat pipe in an air stream.
QPixmap splashPicture(int width, int height);

} // namespace vexa::app
