// The About picture, loaded from the application's resources once and kept for the run.
#pragma once

#include <framework/picture.h>

#include <memory>

// The picture, or nullptr while its file cannot be found; each call then tries the load again.
std::shared_ptr<fw::Picture> Vumo2020();
