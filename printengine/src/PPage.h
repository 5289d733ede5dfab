#pragma once
// One page of a document: its drawing objects in drawing order. The page owns them.

#include "DObject.h"

#include <memory>
#include <vector>

namespace rkpe {

class PPage {
public:
    PPage() = default;
    virtual ~PPage() = default;
    PPage(const PPage&) = delete;
    PPage& operator=(const PPage&) = delete;

    virtual void Draw(const CDC& dc) const;

    void Append(std::unique_ptr<DObject> object);
    // Puts an object under everything the page holds (a table background).
    void InsertFront(std::unique_ptr<DObject> object);
    size_t ObjectCount() const { return m_objects.size(); }

private:
    std::vector<std::unique_ptr<DObject>> m_objects;
};

} // namespace rkpe
