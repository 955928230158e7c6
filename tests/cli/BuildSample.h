#pragma once
// A shipped sample database built in memory from its description in samples/.

#include "CliFiles.h"
#include "Description.h"

#include <gtest/gtest.h>

namespace tabulo::cli {

inline DatabaseImage BuildSample(const char* name) {
    std::string json;
    EXPECT_TRUE(ReadWholeFile(std::string(TABULO_SAMPLES_DIR) + "/" + name + ".json", json))
        << name;
    BuildResult built = BuildDatabase(json, TABULO_SAMPLES_DIR);
    EXPECT_TRUE(built.ok) << name << ": " << built.error;
    return built.image;
}

} // namespace tabulo::cli
