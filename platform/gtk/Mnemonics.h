#pragma once
// The toolkit marks an access key with "&" ("保存(&S)...", "&&" for a literal ampersand, a later
// "&x" replacing an earlier one); GTK marks it with "_" and shows a literal "_" as "__".

#include <string>
#include <string_view>

namespace gtkui {

std::string MnemonicFromCaption(std::string_view caption);

}  // namespace gtkui
