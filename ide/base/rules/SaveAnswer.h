// The answers to "Save changes to this file ?". A box closed by Escape or by
// its close box answers neither Yes nor No: the document is kept as it is
// (a close is cancelled, a prompt that cannot cancel asks again).
#pragma once

namespace kforge {

enum class SaveAnswer { Yes, No, Keep };

}  // namespace kforge
