#pragma once
// The bounds a pass keeps to: the lengths the version section gives the executable and the PE
// header positions the size stage writes, checked before anything is copied or written. A pass
// never makes the file longer than its layout, and never copies a file far larger than any
// layout.
#include <cstdint>
#include <string>

#include "patcher/value_paths.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::patcher {

// A version section or an executable the pass must not touch; the text names the key.
struct LayoutError : PassError {
  using PassError::PassError;
};

struct Layout {
  std::int64_t standard = 0;  // EOFOffset - 1
  std::int64_t extended = 0;  // standard + ExtendedSizeNum + 1; 0 when the section lacks the key
};

// The largest area the extended layout may append: far beyond any use of it, well below the
// memory of the machine, and one PE section of a 32-bit image.
std::int64_t MaxAppendedArea();

// The two layouts of the loaded version section, within sane bounds (LayoutError otherwise).
Layout SectionLayout();

// Checks the executable's length against the layout, before any of it is read: the standard
// file ends within it, and it is not far larger than the larger layout.
void CheckExecutableLength(std::int64_t length, const Layout& layout);
// Checks the executable's bytes (its working copy, before any write) against the layout: its PE
// header has the section count, the size of image and the section table where
// ExtSizePEHeaderOffset1 to 3 say, and the new section's header data declare exactly the
// appended area.
void CheckExecutableHeader(platform::RandomAccessFile& exe, const Layout& layout);

}  // namespace olvex::patcher
