// caption_language.h - fixture base for tests that read captions: English by default, any
// language on request.
#pragma once

#include "model/CaptionCatalog.h"

#include <gtest/gtest.h>

namespace varnholt {

class CaptionLanguageTest : public testing::Test {
protected:
    void SetUp() override { UseLanguage(L"ENU"); }

    static void UseLanguage(const wchar_t* code) {
        CaptionCatalog::Instance().Reset();
        CaptionCatalog::Instance().ChooseLanguage(code);
    }
};

}  // namespace varnholt
