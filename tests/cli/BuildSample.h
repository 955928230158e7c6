#pragma once
// A shipped sample database built in memory from its description in samples/.

#include "CliFiles.h"
#include "Description.h"

#include <gtest/gtest.h>

namespace tabulo::cli {

inline DatabaseImage BuildSample(const char* name) {
    std::filesystem::path file = TABULO_SAMPLES_DIR;
    file /= name;
    file += ".json";
    std::string json;
    EXPECT_TRUE(ReadWholeFile(file, json)) << name;
    BuildResult built = BuildDatabase(json, TABULO_SAMPLES_DIR);
    EXPECT_TRUE(built.ok) << name << ": " << built.error;
    return built.image;
}

} // namespace tabulo::cli
