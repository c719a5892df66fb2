! expect: Missing actual argument|no specific subroutine
! The fourth corner left out.
program argument_left_out
  use lumora
  implicit none
  integer :: ir
  call lu_set_world(ir, 0.0, 0.0, 1.0)
end program argument_left_out
