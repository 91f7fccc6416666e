#include "gadialogs/DimensionDialogs.h"

#include "gadialogs/DimensionSources.h"
#include "gadialogs/Form1.h"
#include "gadialogs/Form2.h"
#include "gadialogs/HeatpipeDimensions.h"

namespace vexa::app {

void openDimensionDialog(QWidget* costingWindow, vexa::Main& main)
{
    const DimensionSources sources(findMainWindow(), costingWindow, &main);
    DimensionDialog* dialog = nullptr;
    if (!sources.heatPipeOnly()) {
        dialog = new Form2(sources);
    } else if (sources.horseshoe()) {
        dialog = new HeatpipeDimensions(sources);
    } else {
        dialog = new Form1(sources);
    }
    if (costingWindow != nullptr) {
        costingWindow->hide();
    }
    dialog->show();
}

} // namespace vexa::app
