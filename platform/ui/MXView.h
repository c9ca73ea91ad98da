#pragma once
// The view layer the keyboard is written against. A view holds subviews, can be hidden
// and carries an integer tag. Implementations: headless/ (plain objects) and the
// desktop program's widgets.
#include <cstdint>
#include <memory>
#include <vector>

class MXView {
public:
    virtual ~MXView() = default;

    virtual bool isHidden() const = 0;
    virtual void setHidden(bool hidden) = 0;

    virtual int64_t tag() const = 0;
    virtual void setTag(int64_t tag) = 0;

    virtual std::vector<std::shared_ptr<MXView>> subviews() const = 0;
    virtual void addSubview(std::shared_ptr<MXView> view) = 0;
};
