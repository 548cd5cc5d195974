#include "platform/ProcessLauncher.h"

ProcessLauncher::~ProcessLauncher() = default;
