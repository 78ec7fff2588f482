#pragma once
// Short information messages: packets reassembled in a cache.

namespace zelvo {

class TShortInfoCache {
 public:
};

}  // namespace zelvo
