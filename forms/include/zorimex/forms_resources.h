#pragma once
// The window definitions' pictures live in a static library; nothing else references the
// compiled resource data, so the linker would drop it unless someone asks for it by name.

namespace zorimex::forms {

/// Registers the pictures under ":/pictures/". Safe to call more than once.
void InitialiseResources();

} // namespace zorimex::forms
