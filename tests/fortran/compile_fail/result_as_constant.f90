! expect: Non-variable expression|must be definable|INTENT\(OUT\)|INTENT\(INOUT\)|no specific subroutine
! The window-number variable of lu_close_window receives the new current window: a
! constant cannot.
program result_as_constant
  use lumora
  implicit none
  integer :: ir
  call lu_close_window(ir, 0)
end program result_as_constant
