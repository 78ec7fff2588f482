#pragma once
// Media transport decoding state: name packets waiting for their last packet.

namespace zelvo {

class MediaNameFragments {
 public:
};

}  // namespace zelvo
