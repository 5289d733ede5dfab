#pragma once
// Base of every drawing object: logical coordinates (MM_LOMETRIC, y upwards) and copies of the
// descriptors current when it was made, so a page can be drawn any number of times into any DC.

#include "CDC.h"

#include <memory>

namespace rkpe {

class CGDISet;

class DObject {
public:
    explicit DObject(CGDISet* cache)
        : m_cache(cache)
    {
    }
    virtual ~DObject() = default;

    virtual void Draw(const CDC& dc) const = 0;
    // Moves the object's anchor; the table engine places cell contents with it.
    virtual void Offset(int dx, int dy) = 0;
    // A placement of its own: rows repeated on several pages must not share objects.
    virtual std::unique_ptr<DObject> Clone() const = 0;

protected:
    DObject(const DObject&) = default;
    DObject& operator=(const DObject&) = default;

    CGDISet* m_cache; // not owned; the engine's cache outlives every page
};

// Clone for the concrete kinds.
template <class Derived>
class DObjectOf : public DObject {
public:
    using DObject::DObject;
    std::unique_ptr<DObject> Clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

} // namespace rkpe
