#pragma once

#include <atomic>
#include <cstdint>

namespace troven::testing {

// What the saving child tells the driver, in a page both map from one file. The page outlives
// the child, so the driver reads where the child stood when it was killed.
struct SaveProgress {
    std::int32_t saving;     // the table being saved now (1 or 2), 0 between saves
    std::int32_t lastSaved;  // the table of the last save that completed, 0 before the first
    std::int64_t completed;  // saves completed by this child
};

// Maps the file at `path` (made one page long) shared; aborts when that fails.
SaveProgress& mapSaveProgress(const char* path);

inline std::int32_t load(std::int32_t& field) {
    return std::atomic_ref(field).load(std::memory_order_seq_cst);
}
inline std::int64_t load(std::int64_t& field) {
    return std::atomic_ref(field).load(std::memory_order_seq_cst);
}
template <typename T>
void store(T& field, T value) {
    std::atomic_ref(field).store(value, std::memory_order_seq_cst);
}

}  // namespace troven::testing
