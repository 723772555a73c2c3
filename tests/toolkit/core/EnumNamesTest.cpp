// The check that keeps each name table beside its enumeration in step with it. It runs while
// compiling, so these cases are compiled, not run: each wrong table must be refused.

#include <cstdint>

#include "toolkit/core/EnumNames.h"

namespace tk {
namespace {

enum class Sample { smFirst, smSecond, smThird };
enum SampleBits : std::uint8_t { sbOne = 1, sbTwo = 2, sbFour = 4 };

using S = Sample;
constexpr TEnumName<S> kRight[] = {
    {S::smFirst, "smFirst"}, {S::smSecond, "smSecond"}, {S::smThird, "smThird"}};
constexpr TEnumName<S> kLastMissing[] = {{S::smFirst, "smFirst"}, {S::smSecond, "smSecond"}};
constexpr TEnumName<S> kSwapped[] = {
    {S::smFirst, "smFirst"}, {S::smThird, "smThird"}, {S::smSecond, "smSecond"}};
constexpr TEnumName<S> kMisspelt[] = {
    {S::smFirst, "smFirst"}, {S::smSecond, "smSecnd"}, {S::smThird, "smThird"}};
constexpr TEnumName<S> kNamedAsAnother[] = {
    {S::smFirst, "smFirst"}, {S::smSecond, "smThird"}, {S::smThird, "smThird"}};
constexpr TEnumName<S> kBeyondTheLast[] = {{S::smFirst, "smFirst"},
                                           {S::smSecond, "smSecond"},
                                           {S::smThird, "smThird"},
                                           {S(3), "smFourth"}};
static_assert(NamesEveryValue(kRight));
static_assert(!NamesEveryValue(kLastMissing));
static_assert(!NamesEveryValue(kSwapped));
static_assert(!NamesEveryValue(kMisspelt));
static_assert(!NamesEveryValue(kNamedAsAnother));
static_assert(!NamesEveryValue(kBeyondTheLast));

constexpr TEnumName<SampleBits> kMembers[] = {
    {sbOne, "sbOne"}, {sbTwo, "sbTwo"}, {sbFour, "sbFour"}};
constexpr TEnumName<SampleBits> kMemberMissing[] = {{sbOne, "sbOne"}, {sbFour, "sbFour"}};
constexpr TEnumName<SampleBits> kLastMemberMissing[] = {{sbOne, "sbOne"}, {sbTwo, "sbTwo"}};
static_assert(NamesEveryMember(kMembers));
static_assert(!NamesEveryMember(kMemberMissing));
static_assert(!NamesEveryMember(kLastMemberMissing));
static_assert(!NamesEveryValue(kMembers));  // bits are no ordinals

}  // namespace
}  // namespace tk
