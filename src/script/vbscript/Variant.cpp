// The Variant's copy, move and destruction of its union, and arrays: their storage,
// their copies (a copy of an array is a new array) and their release.

#include "vbscript/Variant.h"

#include "vbscript/ScriptObject.h"

namespace tabulo::vbs {

Variant::Variant(const Variant& other) : type_(VarType::Empty), i64_(0) {
    copyFrom(other);
}

Variant::Variant(Variant&& other) noexcept : type_(VarType::Empty), i64_(0) {
    moveFrom(other);
}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        if (type_ == VarType::String && other.type_ == VarType::String) {
            s_ = other.s_; // reuses the buffer
        } else {
            Variant copy(other);
            destroy();
            moveFrom(copy);
        }
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        destroy();
        moveFrom(other);
    }
    return *this;
}

void Variant::destroy() noexcept {
    switch (type_) {
    case VarType::String:
        s_.~basic_string();
        break;
    case VarType::Object:
        o_.~shared_ptr();
        break;
    case VarType::Array:
        a_.~shared_ptr();
        break;
    default:
        break;
    }
    type_ = VarType::Empty;
    i64_ = 0;
}

void Variant::copyFrom(const Variant& other) {
    switch (other.type_) {
    case VarType::String:
        new (&s_) std::string(other.s_);
        break;
    case VarType::Object:
        new (&o_) std::shared_ptr<ScriptObject>(other.o_);
        break;
    case VarType::Array:
        new (&a_) std::shared_ptr<ArrayData>(other.a_);
        break;
    default:
        i64_ = other.i64_;
        break;
    }
    type_ = other.type_;
}

void Variant::moveFrom(Variant& other) noexcept {
    switch (other.type_) {
    case VarType::String:
        new (&s_) std::string(std::move(other.s_));
        break;
    case VarType::Object:
        new (&o_) std::shared_ptr<ScriptObject>(std::move(other.o_));
        break;
    case VarType::Array:
        new (&a_) std::shared_ptr<ArrayData>(std::move(other.a_));
        break;
    default:
        i64_ = other.i64_;
        break;
    }
    type_ = other.type_;
    other.destroy();
}

bool Variant::isNumericType() const {
    switch (type_) {
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
    case VarType::Boolean:
        return true;
    default:
        return false;
    }
}

Variant Variant::object(std::shared_ptr<ScriptObject> obj) {
    Variant v;
    new (&v.o_) std::shared_ptr<ScriptObject>(std::move(obj));
    v.type_ = VarType::Object;
    return v;
}
Variant Variant::array(std::shared_ptr<ArrayData> arr) {
    Variant v;
    new (&v.a_) std::shared_ptr<ArrayData>(std::move(arr));
    v.type_ = VarType::Array;
    return v;
}

ArrayData::~ArrayData() {
    releaseIteratively(values);
}

std::shared_ptr<ArrayData> ArrayData::clone() const {
    auto copy = std::make_shared<ArrayData>();
    copy->upper = upper;
    copy->fixedSize = false;
    copy->values.reserve(values.size());
    for (const Variant& v : values)
        copy->values.push_back(copyForAssign(v));
    return copy;
}

Variant copyForAssign(const Variant& v) {
    if (v.isArray()) return v.arr() ? Variant::array(v.arr()->clone()) : v;
    return v;
}

} // namespace tabulo::vbs
