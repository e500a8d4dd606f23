#pragma once

namespace Tavo {

// Makes assistive technology see every StyledButton as a push button named after its caption.
// Safe to call more than once.
void installButtonAccessibility();

} // namespace Tavo
