// The text of --help.
#pragma once

namespace Convert {

const char *UsageText();

} // namespace Convert
