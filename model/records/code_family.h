// code_family.h - the link rules that project codes and resource codes share: a code type,
// its values and their assignments to projects or to resources, each family read from three
// tables of the same shape. The records keep the file's own field names, which differ by
// family (proj_catg_... against rsrc_catg_...) as do a few fields, so a family's rules are
// these templates given the members that differ.
#pragma once

#include "model/records/code_value_path.h"

namespace varnholt {

namespace code_family_detail {
template <class Pointer>
struct MemberOf;
template <class Class, class Member>
struct MemberOf<Member Class::*> {
    using record = Class;
    using member = Member;
};
}  // namespace code_family_detail

// The record a member pointer belongs to, and the member's type.
template <auto Member>
using RecordOf = typename code_family_detail::MemberOf<decltype(Member)>::record;
template <auto Member>
using MemberTypeOf = typename code_family_detail::MemberOf<decltype(Member)>::member;

// The link pass over a family's values, in file order: the value's type link is what its type
// id found (null for none); when its parent id is not 0 and found a value, that value's short
// name as it stands now and "." go in front of its own.
template <auto ParentId, auto ShortName>
void LinkCodeValue(RecordOf<ParentId>& value, decltype(RecordOf<ParentId>::type) type,
                   const RecordOf<ParentId>* parent) {
    value.type = type;
    if ((value.*ParentId).value != 0 && parent != nullptr) PrependParentPath(value.*ShortName, parent->*ShortName);
}

// The link pass over a family's assignments: each link is what its lookup found.
template <auto OwnerLink>
void LinkCodeAssignment(RecordOf<OwnerLink>& assignment, decltype(RecordOf<OwnerLink>::type) type,
                        decltype(RecordOf<OwnerLink>::value) value, MemberTypeOf<OwnerLink> owner) {
    assignment.type = type;
    assignment.value = value;
    assignment.*OwnerLink = owner;
}

}  // namespace varnholt
