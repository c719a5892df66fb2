! expect: no specific subroutine
! One DOUBLE PRECISION among REAL coordinates: all of them are one kind or the other.
program mixed_kinds
  use lumora
  implicit none
  integer :: ir
  call lu_set_world(ir, 0.0, 0.0d0, 1.0, 1.0)
end program mixed_kinds
