// The texts of --help and --version.
#pragma once

namespace Convert {

const char *UsageText();
const char *VersionText();

} // namespace Convert
