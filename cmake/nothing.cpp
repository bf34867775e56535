// Nothing: the shared object of a layer's link check holds only the layer.
