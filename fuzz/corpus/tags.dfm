object R: TComponent
  Tag = $7FFFFFFF
  object C: TComponent
    Tag = -1
  end
end
