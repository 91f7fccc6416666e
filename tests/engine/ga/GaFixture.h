#pragma once

// A unit as the last selection left it, the engine objects that draw it, and
// folders for its templates and documents.

#include "DocxFixture.h"

#include "EngineState.h"
#include "costing/Cost.h"
#include "design/DesignState.h"
#include "design/Main.h"
#include "ga/WordDocument.h"

#include <gtest/gtest.h>

#include <optional>

namespace vexa::ga::test {

class GaTest : public ::testing::Test {
protected:
    GaTest()
    {
        resetEngineState();
        m_main.emplace();
        // 20 tubes high, 1800 mm long, 8 fins per inch, 4 rows: one section.
        DesignState& ds = designState();
        ds.finnedHeight_mm = 770;
        ds.finnedWidth_mm = 1800;
        ds.finnedLength_mm = 1800;
        ds.tubesHigh = 20;
        ds.heatpipeFinsPerInch = 8;
        ds.heatpipeRows = 4;
    }

    Cost& cost() { return m_main->Cost(); }
    const TempFolder& output() const { return m_output; }

    // The text of a bookmark of a saved document.
    static std::string bookmark(const std::filesystem::path& document, const char* name)
    {
        return WordDocument::fromTemplate(document).bookmarkText(name);
    }

private:
    TempFolder m_output;
    ScopedEnv m_templates{"ARDELVEXA_TEMPLATES_DIR", VEXA_TEMPLATES_DIR};
    ScopedEnv m_outputDir{"ARDELVEXA_OUTPUT_DIR", m_output.path().c_str()};
    ScopedEnv m_noOpen{"ARDELVEXA_NO_OPEN", "1"};
    std::optional<Main> m_main;
};

} // namespace vexa::ga::test
