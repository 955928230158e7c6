#pragma once
// A shipped sample database built in memory from its description in samples/.

#include "Description.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tabulo::tools {

inline DatabaseImage BuildSample(const char* name) {
    QFile file(QString(TABULO_SAMPLES_DIR) + "/" + name + ".json");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    BuildResult built = BuildDatabase(file.readAll(), TABULO_SAMPLES_DIR);
    EXPECT_TRUE(built.ok) << name << ": " << built.error;
    return built.image;
}

} // namespace tabulo::tools
