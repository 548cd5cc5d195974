#include "platform/FormOpener.h"

FormOpener::~FormOpener() = default;
