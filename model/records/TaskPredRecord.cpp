// TaskPredRecord.cpp - linking a relationship to its two activities.
#include "model/records/TaskPredRecord.h"

#include "model/records/TaskRecord.h"

namespace varnholt {

void LinkRelationship(TaskPredRecord& relationship, TaskRecord* successor, TaskRecord* predecessor) {
    relationship.successor = successor;
    relationship.predecessor = predecessor;
    if (successor != nullptr) successor->AddPredecessor(&relationship);
    if (predecessor != nullptr) predecessor->AddSuccessor(&relationship);
}

}  // namespace varnholt
