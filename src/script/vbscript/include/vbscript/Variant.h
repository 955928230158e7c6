#pragma once
// The script's value type: a tagged union that keeps every subtype of the
// language distinct (Integer and Long, Single and Double, Date, Currency...).
// Strings are Windows-1252 bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tabulo::vbs {

enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    Byte = 17,
    Array = 8204,
    Ref = 0xFFFF, // internal: a by-reference parameter slot pointing at the caller's variable
};

class ScriptObject;
struct ArrayData;

class Variant {
public:
    Variant() noexcept : type_(VarType::Empty), i64_(0) {}
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant() { destroy(); }

    explicit Variant(std::string s) : type_(VarType::String), s_(std::move(s)) {}
    explicit Variant(const char* s) : type_(VarType::String), s_(s) {}

    static Variant null() { return make(VarType::Null); }
    static Variant boolean(bool x) { return scalar(VarType::Boolean, &Variant::b_, x); }
    static Variant byte(uint8_t x) { return scalar(VarType::Byte, &Variant::u8_, x); }
    static Variant integer(int16_t x) { return scalar(VarType::Integer, &Variant::i16_, x); }
    static Variant lng(int32_t x) { return scalar(VarType::Long, &Variant::i32_, x); }
    static Variant single(float x) { return scalar(VarType::Single, &Variant::f_, x); }
    static Variant dbl(double x) { return scalar(VarType::Double, &Variant::d_, x); }
    // Currency is held as value * 10000.
    static Variant currency(int64_t x) { return scalar(VarType::Currency, &Variant::i64_, x); }
    static Variant date(double serial) { return scalar(VarType::Date, &Variant::d_, serial); }
    static Variant error(int32_t x) { return scalar(VarType::Error, &Variant::i32_, x); }
    static Variant object(std::shared_ptr<ScriptObject> obj); // null pointer = Nothing
    static Variant array(std::shared_ptr<ArrayData> arr);
    static Variant reference(Variant* target) {
        return scalar(VarType::Ref, &Variant::ref_, target);
    }

    VarType type() const { return type_; }
    bool isEmpty() const { return type_ == VarType::Empty; }
    bool isNull() const { return type_ == VarType::Null; }
    bool isString() const { return type_ == VarType::String; }
    bool isObject() const { return type_ == VarType::Object; }
    bool isArray() const { return type_ == VarType::Array; }
    bool isRef() const { return type_ == VarType::Ref; }
    bool isNumericType() const; // Byte..Currency, Date, Boolean

    bool boolValue() const { return b_; }
    uint8_t byteValue() const { return u8_; }
    int16_t integerValue() const { return i16_; }
    int32_t longValue() const { return i32_; }
    float singleValue() const { return f_; }
    double doubleValue() const { return d_; }
    int64_t currencyValue() const { return i64_; }
    double dateValue() const { return d_; }
    int32_t errorValue() const { return i32_; }
    const std::string& str() const { return s_; }
    std::string& str() { return s_; }
    const std::shared_ptr<ScriptObject>& obj() const { return o_; }
    const std::shared_ptr<ArrayData>& arr() const { return a_; }
    Variant* target() const { return ref_; }

    // Follows a by-reference slot to the variable it stands for.
    Variant& deref() { return type_ == VarType::Ref ? *ref_ : *this; }
    const Variant& deref() const { return type_ == VarType::Ref ? *ref_ : *this; }

private:
    static Variant make(VarType t) {
        Variant v;
        v.type_ = t;
        return v;
    }
    template <class T> static Variant scalar(VarType t, T Variant::*member, T value) {
        Variant v = make(t);
        v.*member = value;
        return v;
    }
    void destroy() noexcept;
    void copyFrom(const Variant& other);
    void moveFrom(Variant& other) noexcept;

    VarType type_;
    union {
        bool b_;
        uint8_t u8_;
        int16_t i16_;
        int32_t i32_;
        float f_;
        double d_;
        int64_t i64_;
        Variant* ref_;
        std::string s_;
        std::shared_ptr<ScriptObject> o_;
        std::shared_ptr<ArrayData> a_;
    };
};

// An array: values in row-major order with the last index varying fastest.
// Lower bounds are always 0. `locks` counts element references handed to
// running procedures; a locked array cannot be resized or erased.
struct ArrayData {
    std::vector<Variant> values;
    std::vector<int32_t> upper; // upper bound of each dimension
    bool fixedSize = false;
    int locks = 0;

    ArrayData() = default;
    ArrayData(const ArrayData&) = delete;
    ArrayData& operator=(const ArrayData&) = delete;
    ~ArrayData();
    std::shared_ptr<ArrayData> clone() const;
};

// Copies a value the way assignment does: arrays are copied, not shared.
Variant copyForAssign(const Variant& v);

// The language's conversions (CStr, CLng, CInt, CDbl, CBool), for hosts that read
// their arguments. They throw ScriptError as the script's own conversions do: Null
// refuses with 94, a text that is no number with 13, a number out of range with 6.
std::string toString(const Variant& v);
int32_t toLong(const Variant& v);
int16_t toInteger(const Variant& v);
double toDouble(const Variant& v);
bool toBool(const Variant& v);

} // namespace tabulo::vbs
