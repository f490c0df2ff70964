#include "kavelin/CKavelin.h"

CKavelin::CKavelin() = default;

CKavelin& CKavelin::operator=(const CKavelin&) {
    return *this;
}
